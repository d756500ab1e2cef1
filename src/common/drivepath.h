#pragma once
// Paths are kept in drive form ("c:\ambrefer.ini", "C:\objets\") as the program stores them
// in its files; they become local paths only at the moment of access.
//   drive C: -> $AMBREFER_DRIVE_C, or the "c" folder of the per-user data folder (created on use)
//   drive Z: -> the file system root "/"
// A path with no drive lies on drive C:. "\" and "/" both separate, doubled separators
// collapse, and a component that does not exist exactly is matched without regard to case.
#include <QString>

namespace drivepath {

// The local folder that stands for drive C: (created when missing).
QString driveCRoot();

// The local path for a drive-form path. The result may name a file that does not exist.
// Error 68 for a drive other than C: and Z:.
QString toLocal(const QString& drivePath);

// The drive-form path ("C:\heros\Arn.af", "Z:\tmp") of a local absolute path.
QString toDrive(const QString& localPath);

// A drive-form folder normalised for display: drive letter upper case, "\" separators,
// no trailing "\" except at a drive root ("C:\"), "." and ".." resolved.
QString normalise(const QString& drivePath);

// Whether a drive-form path could name a file: not blank, and none of * ? " < > | : or a
// control character after the drive.
bool isValidFileName(const QString& drivePath);

} // namespace drivepath
