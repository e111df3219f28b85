#pragma once

namespace desktop {

// Makes sure the process has what the toolkit needs before it starts, rather
// than letting the toolkit wait forever or crash without them: the soft
// open-file limit is raised to the hard one, then enough file descriptors,
// address space and threads must be available. On a shortage prints one line saying what is missing and returns
// false. Memory that runs out later ends the program with one line too.
// Call first thing in main().
bool ensureStartupResources();

}  // namespace desktop
