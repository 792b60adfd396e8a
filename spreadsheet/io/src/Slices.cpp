#include "Slices.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

namespace spreadsheet::io {

namespace {

constexpr std::size_t kMaxThreads = 8;
constexpr std::size_t kSlicesPerThread = 4;

}  // namespace

Slices::Slices(std::size_t count, std::size_t minimum) : items_(count)
{
    const std::size_t cores = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, kMaxThreads);
    const std::size_t most = cores == 1 ? 1 : cores * kSlicesPerThread;
    slices_ = std::clamp<std::size_t>(count / std::max<std::size_t>(minimum, 1), 1, most);
    step_ = (count + slices_ - 1) / slices_;
    threads_ = std::min(cores, slices_);
}

void Slices::run(const std::function<void(std::size_t, std::size_t, std::size_t)>& work) const
{
    std::vector<std::exception_ptr> failures(slices_);
    std::atomic<std::size_t> next = 0;
    const auto takeSlices = [&] {
        for (std::size_t s = next++; s < slices_; s = next++) {
            try {
                work(s, std::min(items_, s * step_), std::min(items_, (s + 1) * step_));
            } catch (...) {
                failures[s] = std::current_exception();
            }
        }
    };
    {
        std::vector<std::jthread> workers;
        for (std::size_t t = 1; t < threads_; ++t) {
            workers.emplace_back(takeSlices);
        }
        takeSlices();
    }
    for (const std::exception_ptr& failure : failures) {
        if (failure) {
            std::rethrow_exception(failure);
        }
    }
}

}  // namespace spreadsheet::io
