// The entry sequence up to the message loop: the default language, the main
// window with its creation step and the two dialogs, the settings key opened
// (created when missing), and the first localisation pass.
#pragma once

#include <memory>

class TForm1;
struct ProgramContext;

std::unique_ptr<TForm1> startKovrant(ProgramContext &context);
