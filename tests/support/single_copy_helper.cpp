// Test helper: one copy of the program as far as the single-copy lock goes. It takes the same
// SingleCopyLock as the program, in the folder given as its argument, at a signal from the test.
//
// Standard input and output, one line each:
//   prints "ready", then waits for a line (any text) on standard input;
//   tries the lock and prints "acquired", "refused" (another copy holds it) or "unavailable"
//   (no lock can be made there);
//   when acquired, holds the lock until standard input ends, then releases it and ends.
#include "platform/qt/single_copy_lock.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    // The lock file names the owning program, as in the real program, so a QCoreApplication is
    // needed for its name.
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: velmaris_single_copy_helper FOLDER\n", stderr);
        return 2;
    }
    std::string line;
    std::cout << "ready" << std::endl;
    if (!std::getline(std::cin, line)) {
        return 2;
    }
    using velmaris::platform::LockOutcome;
    velmaris::platform::SingleCopyLock lock(QString::fromLocal8Bit(argv[1]));
    const LockOutcome outcome = lock.TryAcquire();
    if (outcome != LockOutcome::Acquired) {
        std::cout << (outcome == LockOutcome::HeldByAnotherCopy   ? "refused"
                      : outcome == LockOutcome::HeldOnAnotherHost ? "elsewhere"
                                                                  : "unavailable")
                  << std::endl;
        return 0;
    }
    std::cout << "acquired" << std::endl;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}
