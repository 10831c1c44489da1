#pragma once
// Creates the toolkit's application object for the program's arguments. Where the
// toolkit cannot start (no display can be reached: the X server is not up yet, or
// refused the connection), the program ends with status 1, the toolkit's reason on
// standard error and in the system log, instead of the toolkit's abort, which says
// nothing where standard error is closed and leaves a core behind.
void StartToolkit(int& argc, char** argv);
