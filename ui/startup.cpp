#include "ui/startup.h"

#include "catalogue/uLocalize.h"
#include "ui/errorhandler.h"
#include "ui/main.h"

std::unique_ptr<TForm1> startKovrant(ProgramContext &context)
{
    runCommand(nullptr,
               [&] { context.catalogue->SelectDefaultLanguage(QStringLiteral("English")); });
    auto form = std::make_unique<TForm1>(context);
    runCommand(form.get(), [&] { form->localize(); });
    return form;
}
