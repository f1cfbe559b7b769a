// The game folder: where the game's paths (dat\..., edit\..., record\...)
// lead. It is, in this order, the folder asked for with --workdir; the
// current folder when it holds dat/ (a checkout); otherwise the player's own
// folder under $XDG_DATA_HOME, made at the first start, whose dat/ links to
// the music and effects installed with the game. The player's save files,
// course files and records live only in the folder chosen.
#pragma once

#include <QString>
#include <QStringList>

// $XDG_DATA_HOME/pinvale, or ~/.local/share/pinvale when that is unset or
// not an absolute path.
QString playerFolder();

// Where an installed game keeps its media, most likely first: beside the
// program (../share/pinvale/dat) and the install prefix it was built for.
QStringList installedMediaFolders();

// True when `datFolder` holds at least one readable music or effect file.
bool holdsMedia(const QString& datFolder);

// Makes `folder` with dat/, edit/ and record/ and links every music and
// effect file of the first of `mediaFolders` that has any into its dat/
// (copies it where links cannot be made). A file the player put there is
// left alone; a link that leads nowhere or to another install is renewed.
// False when the folders cannot be made.
bool preparePlayerFolder(const QString& folder, const QStringList& mediaFolders);

// The game folder for a start with `workdir` (empty when not given) from
// `current`. Makes the player's folder when that is the one chosen.
QString chooseGameFolder(const QString& workdir, const QString& current, const QString& player,
                         const QStringList& mediaFolders);
