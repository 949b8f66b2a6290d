#pragma once

// Marks a text of the core that the window shows translated. The core holds and returns the
// English text; lupdate collects the mark (-tr-function-alias, src/app/CMakeLists.txt) and the
// window looks the English up in context where it shows it (QCoreApplication::translate).
#define QUILO_TRANSLATABLE(context, text) text
