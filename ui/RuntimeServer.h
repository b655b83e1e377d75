#pragma once

// True when the Tazro runtime's server event "STazroSrvEvt" already exists (or cannot be created).
bool IsRuntimeServerRunning();
