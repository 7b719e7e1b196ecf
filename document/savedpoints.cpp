#include "document/savedpoints.h"

void SavedPoints::markSaved(const ListPoint &point)
{
    m_byFile.insert(point.file, SavedAt{point.historyIndex, point.newCrime});
}

void SavedPoints::discardBeyond(int historyIndex)
{
    m_byFile.removeIf([historyIndex](QHash<QString, SavedAt>::iterator saved) {
        return saved->historyIndex > historyIndex;
    });
}

void SavedPoints::clear()
{
    m_byFile.clear();
}

bool SavedPoints::isSaved(const ListPoint &point) const
{
    const auto saved = m_byFile.constFind(point.file);
    return saved != m_byFile.constEnd() && saved->historyIndex == point.historyIndex &&
           saved->newCrime == point.newCrime;
}
