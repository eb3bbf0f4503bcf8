#pragma once
struct Services;

// Once per start: asks whether to look for an update when the last reminder
// lies 15 or more calendar days away (either way, in case the clock was set
// back), and remembers when it last asked. Never stops start-up.
void RemindOfUpdate(Services &services);
