#pragma once

#include "model/editmode.h"
#include "model/messages.h"
#include "model/person.h"

#include <QString>

namespace kinrow {

// The persons offered when an existing person is linked to record anchor in the given role,
// in list order: everybody except the anchor, its parents, spouses, children and siblings,
// and except men as mothers, women as fathers and the anchor's own sex as spouse.
QList<qint32> LinkCandidates(const PersonList& persons, qint32 anchor, RelativeRole role);

// The spouse index a link works with: a single spouse counts as selected; -1 when none is.
int SpouseSelectionForLink(int spouseCount, int selectedIndex);

// Caption of the selection list: "Ali KAYA's Mother is Adding".
QString LinkListCaption(const PersonList& persons, qint32 anchor, RelativeRole role, Lang lang);

// The confirmation asked once a person has been picked from the selection list.
QString LinkConfirmText(const PersonList& persons, qint32 anchor, RelativeRole role, qint32 picked,
                        Lang lang);

// Links record picked to record anchor in the given role. For a child, selectedSpouse is the
// record number of the selected spouse (0 when none), who becomes the child's other parent.
// A child's former parent that is replaced by a different person loses the child from its
// Children list. Returns false, changing nothing, when either number names no record or
// both are the same.
bool LinkExisting(PersonList& persons, qint32 anchor, RelativeRole role, qint32 picked,
                  qint32 selectedSpouse);

// The question asked before the mother or father link of record anchor is removed (role is
// Mother or Father); empty when there is no such link.
QString UnlinkParentQuestion(const PersonList& persons, qint32 anchor, RelativeRole role,
                             Lang lang);

// Removes the mother (role Mother) or father (role Father) link of record anchor on both
// sides; spouse links stay. Returns false when there was no link.
bool UnlinkParent(PersonList& persons, qint32 anchor, RelativeRole role);

// The question asked before the spouse at index spouseIndex of record anchor is unlinked.
QString UnlinkSpouseQuestion(const PersonList& persons, qint32 anchor, int spouseIndex, Lang lang);

// Removes the spouse at index spouseIndex of record anchor's Spouses and the anchor from
// that spouse's Spouses; children are not touched. Returns false for an invalid index.
bool UnlinkSpouse(PersonList& persons, qint32 anchor, int spouseIndex);

} // namespace kinrow
