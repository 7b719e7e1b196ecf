#include "ui/assessmentexport.h"

#include "localisation/assessmentcopy.h"
#include "ui/filechooser.h"
#include "ui/listfilecommands.h"
#include "ui/report.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <memory>

std::optional<QString> chooseReportFile(QWidget *owner, FileChooser &chooser,
                                        const LanguageCatalogue &catalogue, const QString &listFile)
{
    FileDialogSetup setup = reportFileDialogSetup(catalogue);
    setup.startPath = withSuffix(listFile, setup.defaultSuffix);
    return chooser.chooseFileToSave(owner, setup);
}

void copyToClipboard(const ReportContent &content)
{
    const AssessmentCopy copy = assessmentCopy(content);
    auto mime = std::make_unique<QMimeData>();
    mime->setHtml(copy.html);
    mime->setText(copy.plain);
    QGuiApplication::clipboard()->setMimeData(mime.release()); // the clipboard owns it
}
