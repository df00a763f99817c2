#pragma once

// The search's cancellation check: drains what is waiting for the search window and answers the
// cancel flag (0 go on, 1 stop).
int PumpSearchMessages();
