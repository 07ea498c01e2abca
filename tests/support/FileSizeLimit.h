// A lowered file-size limit for the length of a test, to make writes fail as on a full disk.
#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace kirvo::testing {

// Lowers the file-size limit while it lives. SIGXFSZ is ignored meanwhile, so that a write past
// the limit fails with EFBIG ("File too large") instead of ending the test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
        previous_ = signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_ {};
    sighandler_t previous_ = SIG_DFL;
};

}  // namespace kirvo::testing
