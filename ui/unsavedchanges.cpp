#include "ui/unsavedchanges.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QMessageBox>

TextTable unsavedChangesTextTable(UnsavedChangesTexts &texts)
{
    return {
        {u"String.UnsavedTitle", into(texts.title)},
        {u"String.UnsavedQuestion", into(texts.question)},
        {u"String.UnsavedQuestionFile", into(texts.questionNamed)},
        {u"String.UnsavedSave", into(texts.save)},
        {u"String.UnsavedDiscard", into(texts.discard)},
        {u"Button.Cancel", into(texts.cancel)},
    };
}

UnsavedChoice askAboutUnsavedChanges(QWidget *owner, const UnsavedChangesTexts &texts,
                                     const QString &filePath)
{
    const QString question = filePath.isEmpty()
                                 ? texts.question
                                 : filledText(texts.questionNamed, QFileInfo(filePath).fileName());
    QMessageBox box(QMessageBox::Warning, texts.title, question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, owner);
    box.setObjectName(QStringLiteral("UnsavedChangesBox"));
    box.button(QMessageBox::Save)->setText(texts.save);
    box.button(QMessageBox::Discard)->setText(texts.discard);
    box.button(QMessageBox::Cancel)->setText(texts.cancel);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    const QAbstractButton *clicked = box.clickedButton();
    if (clicked == box.button(QMessageBox::Save))
        return UnsavedChoice::Save;
    if (clicked == box.button(QMessageBox::Discard))
        return UnsavedChoice::Discard;
    return UnsavedChoice::Cancel;
}

QString listWindowTitle(const QString &caption, const QString &filePath)
{
    if (filePath.isEmpty())
        return caption + QStringLiteral("[*]");
    // A "[*]" in the file's own name is written doubled, which shows it as it is.
    const QString name =
        QFileInfo(filePath).fileName().replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return name + QStringLiteral("[*] — ") + caption;
}
