// The small dialogs: welcome, help, about, exit, and the two confirmations
// that restart ("break") the current picture or every picture.
//
// Each pushes one page on the dialog layer with a background picture and
// its buttons, all laid out in one table.  The welcome dialog is opened by
// the start-up directly; its "ok" leads to the size dialog.  Help and exit
// are click effects of the bar's "help" and "close" buttons and also answer
// F1 and Escape while no dialog is open; break is the bar's "break"; about
// and break-all open on top of the main menu.
//
// The dialog texts are pictures in the archives.
#pragma once

// Opened by the start-up while the settings ask for it.
void showWelcomeDialog();

// Endless click effects of their opener buttons (each tests its own trigger).
void showHelpDialog(void* arg);     // bar "help": click, or F1 with no dialog open
void showAboutDialog(void* arg);    // main menu "about": click
void showExitDialog(void* arg);     // bar "close": click, or Escape with no dialog open
void showBreakDialog(void* arg);    // bar "break": click
void showBreakAllDialog(void* arg); // main menu "break": click

// The one way out that keeps progress (exit "ok", the web links): write the
// settings, kill worldRoot.
void saveSettingsAndQuit();

// Exit "ok": click or Return: save the settings and end the game.
void exitConfirmClick(void* arg);
// Break "break": click or Return: the current picture starts over.
void resetPictureClick(void* arg);
// Break-all "break": click or Return: every picture starts over.
void resetAllPicturesClick(void* arg);
