#include "localisation/consequences.h"

#include <QStringList>

TextTable consequenceTextTable(ConsequenceTexts &texts)
{
    return {
        {u"String.Consequences", into(texts.line)},
        {u"String.ConsequenceLeastTerm", into(texts.leastTerm)},
        {u"String.ConsequenceNoConditional", into(texts.noConditionalSentence)},
        {u"String.ConsequenceColonyDangerous", into(texts.colonyDangerous)},
        {u"String.ConsequenceColonyEspeciallyDangerous", into(texts.colonyEspeciallyDangerous)},
        {u"String.ConsequenceSupervision", into(texts.supervision)},
    };
}

QString consequencesLine(RecidivismKind kind, const ConsequenceTexts &texts)
{
    // In the order a court meets them: the term, how it is served, and after
    // release.
    QStringList consequences;
    switch (kind) {
    case RecidivismKind::Neither: return QString();
    case RecidivismKind::Simple: consequences = {texts.leastTerm}; break;
    case RecidivismKind::Dangerous:
        consequences = {texts.leastTerm, texts.noConditionalSentence, texts.colonyDangerous,
                        texts.supervision};
        break;
    case RecidivismKind::EspeciallyDangerous:
        consequences = {texts.leastTerm, texts.noConditionalSentence,
                        texts.colonyEspeciallyDangerous, texts.supervision};
        break;
    }
    return filledText(texts.line, consequences.join(QStringLiteral("; ")));
}

QString consequencesLine(const RecidivismAssessment &assessment, const ConsequenceTexts &texts)
{
    if (assessment.categoryMissing || assessment.negligentCrime || assessment.failure)
        return QString();
    return consequencesLine(assessment.kind, texts);
}
