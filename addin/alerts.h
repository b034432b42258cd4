#pragma once

// The two messages registration can end with. Each is shown through the
// host's alert operation; the same message shows the same text every time.
void alertBuildFailed();
void alertRegisterFailed();

// Shows `text` as a host string record. Its first character, a blank, is
// overwritten with the number of characters after it.
void showAlert(char* text);
