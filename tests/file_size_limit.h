// A write that fails half-way, as on a full disk, even for root: the routine runs with the
// process's file-size limit set low and SIGXFSZ ignored; both are restored afterwards.
#pragma once

#include <csignal>
#include <sys/resource.h>

template <typename Routine> void withFileSizeLimit(rlim_t bytes, Routine routine)
{
    rlimit previous {};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
    routine();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
}
