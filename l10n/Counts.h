#pragma once

#include <QString>

// "1 student", "412 students", in the program's language, with that language's plural forms.
QString StudentsText(qsizetype n);
