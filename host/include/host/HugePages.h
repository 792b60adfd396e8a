#pragma once

namespace host {

// Restarts the program, once, with glibc's allocator asking the system for
// transparent huge pages. Called first thing in main, before any thread;
// returns when there is nothing to do or the restart fails.
//
// Memory is mapped a page at a time as it is first touched, and on the
// virtual machines the suite runs on each such fault costs microseconds: a
// large report or workbook touches a hundred thousand pages. With huge
// pages one fault maps 512 of them. glibc reads that setting from its
// tunables before main, so it can only be given by starting again.
// Nothing is done when the system gives huge pages to every program
// already or to none, when the tunable is set, under valgrind (whose
// restart would run outside it), or with DARVELO_PAGINAS_PEQUENAS set.
void useHugePages(char** argv);

}  // namespace host
