#pragma once
#include <functional>

// The number of threads a picture is painted with: `requested` when it is above 0, else one
// per core.
int PaintWorkerCount(int requested);

// Runs task(0) .. task(count - 1), task 0 on the calling thread and each other on a thread of
// its own, and returns when all have finished. The tasks never wait for each other: when no
// thread can be started, the calling thread runs them one after the other. The first exception
// a task threw is thrown again once all have finished.
void RunPaintWorkers(int count, const std::function<void(int)>& task);
