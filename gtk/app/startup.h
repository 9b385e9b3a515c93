// The start-up sequence: instance guard, settings, resources, windows, first window.
#pragma once

// Exits the process (status 1, message on standard error) on a fatal error.
void Main_Initl(int argc, char** argv);
