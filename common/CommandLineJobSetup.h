#pragma once
// Sets up the process for a command-line job, before its application object exists. The job
// draws on the offscreen platform unless QT_QPA_PLATFORM chooses another, so it needs no
// display and draws the same with or without one. The toolkit's debug, info and warning
// messages (a missing XDG_RUNTIME_DIR, what the offscreen platform does not support) are
// dropped, so a job that succeeds prints nothing on standard error; critical and fatal messages
// still print.
void setUpCommandLineJob();
