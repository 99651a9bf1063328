#include "app/script/ScriptRunner.h"

#include <exception>
#include <ostream>
#include <string>

#include "app/script/ScriptError.h"
#include "app/script/ScriptLineReader.h"
#include "app/script/ScriptParser.h"
#include "app/script/ScriptSession.h"

namespace {

int Fail(ScriptSession& session, std::ostream* transcript, std::ostream& errors, unsigned long long number,
         const std::string& message) {
    session.Abandon();
    if (transcript)
        transcript->flush();
    errors << "error: line " << number << ": " << message << '\n';
    return kScriptFailed;
}

}  // namespace

int RunScript(std::istream& script, std::ostream* transcript, std::ostream& errors) {
    ScriptSession session(transcript);
    ScriptLineReader reader(script);
    std::string line;
    unsigned long long number = 0;
    while (reader.Next(line)) {
        ++number;
        try {
            if (reader.TooLong()) {
                throw ScriptError("the line is longer than " + std::to_string(kMaxScriptLineLength) +
                                  " bytes");
            }
            if (auto command = ParseScriptLine(line))
                session.Execute(*command);
        } catch (const ScriptError& error) {
            return Fail(session, transcript, errors, number, error.what());
        } catch (const std::exception& fault) {
            // A fault of the program itself, not of the script: still reported, never a crash.
            return Fail(session, transcript, errors, number, std::string("internal error: ") + fault.what());
        }
    }
    session.Finish();
    if (transcript)
        transcript->flush();
    return kScriptCompleted;
}
