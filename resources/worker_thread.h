// Worker threads that decode images with SDL_image (photos, the next board's
// pictures).
//
// They are started through SDL rather than as plain threads: SDL keeps some
// state per thread (the last error message, set whenever a decoder meets a
// damaged image) and frees it only when a thread it started ends.  A plain
// thread would leave that behind every time it ran.
#pragma once

#include <thread>

struct SDL_Thread;

using WorkerFn = void (*)(void* arg);

struct WorkerThread {
    SDL_Thread* sdl = nullptr; // the running thread, when SDL could start one
    std::thread plain;         // otherwise a plain one, so the work still runs
    WorkerFn fn = nullptr;     // what it runs, with arg
    void* arg = nullptr;
};

void startWorkerThread(WorkerThread& worker, WorkerFn fn, void* arg); // none may be running
void joinWorkerThread(WorkerThread& worker);                           // nothing when none runs
bool workerThreadRunning(const WorkerThread& worker);                  // started and not joined
