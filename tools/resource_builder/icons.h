#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

namespace vellomir::tools {

class ResourceSet;

// The tree image lists make RGB (128, 0, 0) see-through.
inline const QColor kIconMask(128, 0, 0);
inline constexpr int kIconSize = 16;

// The game-type icons of the chooser, in type-code order (2 to 22), then the
// customised games.
QStringList gameTypeIconNames();
// The small pictures beside the chooser's description texts.
QStringList descriptionPictureNames();

QImage drawTypeIcon(const QString& name);
QImage drawDescriptionPicture(const QString& name);

// Adds the suit symbols of the joker label, the tree-node icons, the
// game-type icons and the description pictures.
void addIcons(ResourceSet& resources);

} // namespace vellomir::tools
