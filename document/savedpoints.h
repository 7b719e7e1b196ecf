// Whether the list on screen is what its file holds. A list is known by its
// file (the untitled list by the empty name), the undo history's index and the
// new crime, which is no edit of the history; each file remembers the point at
// which it was last saved or opened.
#pragma once

#include "assessment/recidivism.h"

#include <QHash>
#include <QString>

// Where the list stands: its file, the history's index and the new crime.
struct ListPoint
{
    QString file; // empty: the untitled list
    int historyIndex = 0;
    CurrentCrime newCrime;

    friend bool operator==(const ListPoint &, const ListPoint &) = default;
};

class SavedPoints
{
public:
    // The point's file holds the list as it stands there (saved to it, opened from
    // it, or the untitled empty list, which has nothing to lose).
    void markSaved(const ListPoint &point);
    // A push from this index discards the history beyond it, and with it the
    // points saved there, which no undo or redo can reach any more.
    void discardBeyond(int historyIndex);
    // Every point forgotten: the history starts again.
    void clear();
    // The list at this point equals what its file holds.
    bool isSaved(const ListPoint &point) const;

private:
    struct SavedAt
    {
        int historyIndex;
        CurrentCrime newCrime;
    };
    QHash<QString, SavedAt> m_byFile;
};
