#include "common/folderlists.h"

#include "common/controls.h"
#include "common/eventboundary.h"
#include "common/filelists.h"
#include "common/runtimeerror.h"

QString folderLine(const QString& folder) {
    QString line = folder;
    while (line.endsWith(u'\\') || line.endsWith(u'/'))
        line.chop(1);
    return line + u'\\';
}

void linkFolderLists(DriveListBox& drive, DirListBox& dir, Label& label) {
    QObject::connect(&drive, &DriveListBox::driveChanged, &dir, [&drive, &dir] {
        runEvent([&drive, &dir] {
            try {
                dir.setPath(drive.drive());
            } catch (const RuntimeError&) {
                drive.setDrive(dir.path());
                throw;
            }
        });
    });
    QObject::connect(&dir, &DirListBox::pathChanged, &label,
                     [&dir, &label] { label.setCaption(folderLine(dir.path())); });
    label.setCaption(folderLine(dir.path()));
}
