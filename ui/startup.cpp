#include "ui/startup.h"

#include "catalogue/uLocalize.h"
#include "ui/errorhandler.h"
#include "ui/main.h"
#include "ui/programcontext.h"

std::unique_ptr<TForm1> startKovrant(ProgramContext &context)
{
    runCommand(nullptr,
               [&] { context.catalogue->SelectDefaultLanguage(QStringLiteral("English")); });
    auto form = std::make_unique<TForm1>(context);
    // With the windows built, the settings key is opened, which creates it when missing.
    context.languageSetting.touch();
    runCommand(form.get(), [&] { form->localize(); });
    return form;
}
