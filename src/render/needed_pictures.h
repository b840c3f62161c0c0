#pragma once

#include "table/program_state.h"

#include <QStringList>

namespace vellomir::resources {
class ResourceLibrary;
}

namespace vellomir::render {

/// The pictures the table cannot be drawn without at a card size ("B", "M"
/// or "L"), for a card set and a back (three digits each): the four suit
/// sheets, the joker, the back, every empty-pile mark and the shadow and
/// border pieces.
QStringList neededPictures(char sizeLetter, const QString& cardSet, const QString& back);

/// The needed pictures of the settings' card set and back that the library
/// lacks or cannot read, at every card size (the program changes the size
/// on small screens and in the customise dialog).
QStringList missingNeededPictures(const table::ProgramState& state,
                                  const resources::ResourceLibrary& library);

/// Puts preferences that name pictures or cursors the library does not hold
/// back to their defaults, in the settings record only (the file keeps what
/// the player wrote): a card size other than "B", "M" and "L"; a card set
/// (`Card`) without its four suit sheets; a back (`Back_Card`) without its
/// picture; a background picture number (`Background_bmp`) without its
/// picture; a cursor number outside 10-15. Returns the keys it put back.
QStringList keepPicturePreferencesInRange(table::ProgramState& state,
                                          const resources::ResourceLibrary& library,
                                          bool display256ColoursOrFewer);

} // namespace vellomir::render
