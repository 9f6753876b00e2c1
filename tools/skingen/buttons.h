#pragma once
// Every skinned button instance of both windows with the face its role calls for.
#include "faces.h"

#include <QList>

namespace skin {

const QList<FaceSpec> &mainWindowFaces();
const QList<FaceSpec> &dialogFaces();
// The face of one instance of either window; aborts on an unknown name.
const FaceSpec &faceOf(const QString &name);

} // namespace skin
