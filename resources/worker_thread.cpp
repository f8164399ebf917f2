// Worker threads started through SDL, with a plain thread as the fallback.
#include "resources/worker_thread.h"

#include <SDL/SDL_thread.h>

namespace {

int runWorker(void* data) {
    WorkerThread* worker = static_cast<WorkerThread*>(data);
    worker->fn(worker->arg);
    return 0;
}

} // namespace

void startWorkerThread(WorkerThread& worker, WorkerFn fn, void* arg) {
    worker.fn = fn;
    worker.arg = arg;
    worker.sdl = SDL_CreateThread(runWorker, &worker);
    if (!worker.sdl) worker.plain = std::thread(fn, arg);
}

void joinWorkerThread(WorkerThread& worker) {
    if (worker.sdl) SDL_WaitThread(worker.sdl, nullptr);
    worker.sdl = nullptr;
    if (worker.plain.joinable()) worker.plain.join();
}

bool workerThreadRunning(const WorkerThread& worker) {
    return worker.sdl != nullptr || worker.plain.joinable();
}
