// A file member's way to disk: the overwrite question, its console line, and its file.
// The contents go to a temporary file beside the target, which replaces the target only
// once it is complete and carries its times; any failure leaves an existing file untouched.
#pragma once

#include <string>

#include "container/member_record.hpp"

namespace vorrin {

class MemberDecoder;

// True when the member is to be skipped: the name exists and the user answered N
// (or input ended before an answer came).
bool AskOverwrite(const std::string& name);
void AnnounceMember(const std::string& name, bool skip);
// A name no file can carry whole (empty, or longer than the system takes) ends the run
// with a write error. Called before any folder is made for the member: such a name is
// never cut to another one, and nothing at all is made for it.
void RefuseUnwritableName(const std::string& name);
// Creates the temporary file the member is written to, beside its target.
void OpenOutputFile(const std::string& name);
// Writes the rest, sets the times, closes, puts the file in place and writes "end.".
void FinishOutputFile(const std::string& name, const FileTimes& times, MemberDecoder& decoder);

} // namespace vorrin
