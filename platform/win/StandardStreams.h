#pragma once
// Standard input, output and error that a program was started without (a launcher
// that closed them) are opened on /dev/null. Otherwise the next file or socket the
// program opens takes the free number, and text written to stderr (the toolkit's
// warnings) goes into it: into the display connection, say, which then breaks.
// Called before anything else is opened.
void OpenMissingStandardStreams();
