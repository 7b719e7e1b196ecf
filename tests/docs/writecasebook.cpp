// Writes the casebook's files in the source folder given (docs/casebook.md and
// docs/casebook.en.md) from the legal-case table and the folder's language
// files: what scripts/casebook runs.
#include "docs/casebook.h"
#include "platform/runtimeerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cstdio>

namespace {

void writeFile(const QString &path, const QString &text)
{
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw RuntimeError(QStringLiteral("Cannot write %1: %2")
                               .arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kovrant_casebook <source folder>\n");
        return 2;
    }
    const QDir source(QString::fromLocal8Bit(argv[1]));
    try {
        for (const CasebookLanguage language : CasebookLanguages) {
            const QString path = source.filePath(casebookPath(language));
            writeFile(path, casebookText(language, source.path()));
            std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
        }
    } catch (const RuntimeError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
