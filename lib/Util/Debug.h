#pragma once

#include "Util/Singleton.h"

#include <fstream>
#include <ostream>

namespace Util {

// The process-wide debug object. Its error stream (standard error) receives every
// abort report; the output stream and the two log files, never opened, exist for
// tools that want them and stay unused by the system.
class Debug : public Singleton<Debug> {
public:
    Debug();

    std::ostream& outputStream() const { return *m_out; }
    std::ostream& errorStream() const { return *m_err; }

private:
    std::ostream* m_out;
    std::ostream* m_err;
    std::ofstream m_logFile;
    std::ofstream m_errorFile;
};

} // namespace Util
