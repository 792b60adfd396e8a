#include "Slices.h"

#include <algorithm>
#include <exception>
#include <thread>
#include <vector>

namespace spreadsheet::io {

namespace {

constexpr std::size_t kMaxSlices = 8;

}  // namespace

Slices::Slices(std::size_t count, std::size_t minimum) : items_(count)
{
    const std::size_t cores = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, kMaxSlices);
    slices_ = std::clamp<std::size_t>(count / std::max<std::size_t>(minimum, 1), 1, cores);
    step_ = (count + slices_ - 1) / slices_;
}

void Slices::run(const std::function<void(std::size_t, std::size_t, std::size_t)>& work) const
{
    std::vector<std::exception_ptr> failures(slices_);
    const auto slice = [&](std::size_t s) {
        try {
            work(s, std::min(items_, s * step_), std::min(items_, (s + 1) * step_));
        } catch (...) {
            failures[s] = std::current_exception();
        }
    };
    {
        std::vector<std::jthread> workers;
        for (std::size_t s = 1; s < slices_; ++s) {
            workers.emplace_back(slice, s);
        }
        slice(0);
    }
    for (const std::exception_ptr& failure : failures) {
        if (failure) {
            std::rethrow_exception(failure);
        }
    }
}

}  // namespace spreadsheet::io
