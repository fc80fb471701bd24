#pragma once
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace dorvane {

// One thread of our own that runs the jobs given to it one at a time, in the order given, so
// that slow work (reading a file, opening a sound device) never holds up the caller. The thread
// starts with the first job and sleeps while there is none; destroying the object lets the job
// under way finish, drops the rest and joins the thread.
class JobThread
{
public:
    JobThread() = default;
    ~JobThread();
    JobThread(const JobThread &) = delete;
    JobThread &operator=(const JobThread &) = delete;

    void post(std::function<void()> job);
    // Waits until every job given so far has run.
    void waitUntilIdle();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::function<void()>> m_jobs;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace dorvane
