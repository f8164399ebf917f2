// The small dialogs: welcome, help, about, exit, and the two confirmations
// that restart ("break") the current picture or every picture.
//
// Each is one DialogLayout of the dialog layer: a background picture and
// its buttons, pushed as one page.  The welcome dialog is opened by
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
void showHelpDialog();     // bar "help": click, or F1 with no dialog open
void showAboutDialog();    // main menu "about": click
void showExitDialog();     // bar "close": click, or Escape with no dialog open
void showBreakDialog();    // bar "break": click
void showBreakAllDialog(); // main menu "break": click

// The one way out that keeps progress (exit "ok", the web links): write the
// settings, kill worldRoot.
void saveSettingsAndQuit();

// Exit "ok": click or Return: save the settings and end the game.
void exitConfirmClick();
// Break "break": click or Return: the current picture starts over.
void resetPictureClick();
// Break-all "break": click or Return: every picture starts over.
void resetAllPicturesClick();
