// Ending the program: Delt_event saves the settings, removes the pid file and leaves
// the main loop (also on SIGTERM, SIGINT and SIGHUP).
#pragma once

void Delt_event();

// Routes the termination signals to Delt_event.
void CatchTermination();
