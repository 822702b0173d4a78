#pragma once

namespace vorrin {

// Asks for the password up to three times; returns with the key set, or ends the run
// with exit code 1 after the third wrong line.
void AskPassword();

} // namespace vorrin
