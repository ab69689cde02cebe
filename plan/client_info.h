#pragma once
// The last client's plan kept in section "Info" of the settings file, and the Clear command.
void SaveClientInfo();
void RestoreClientInfo();
void ClearPlan();
