// Definitions of the post-processing module's global state.
#include "seni_state.h"

SeniTableRec SNtable;
thread_local SeniRunRec SNrun;

