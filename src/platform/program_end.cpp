#include "platform/program_end.h"

#include <QCoreApplication>

namespace radirav {

void QtProgramEnd::EndProgram() {
    QCoreApplication::exit(0);
}

} // namespace radirav
