#pragma once
// A replay on many pictures spread over processes of the tool itself
// (--jobs N). The batch's pictures, in order, are cut into N shares of
// consecutive pictures; each share is replayed by a child
// `pinxel script ... --batch-share`, which reads its pictures from standard
// input and ends each picture's output with a mark on both streams. The
// output reaches this process's streams in the pictures' order, a
// picture's printed lines before its messages, as one process prints them;
// the first share's as it comes.

#include <QStringList>

namespace pinxel::cli {

// Replays the pictures in `jobs` child processes run with the arguments (the
// batch's, without --on and --jobs); returns the worst exit code, 1 for a
// child that could not start or did not end normally.
int replayInShares(const QStringList &arguments, const QStringList &pictures, int jobs);

// In a child: the share's pictures, from standard input.
QStringList sharePictures();

// In a child: ends the output of one picture on both streams.
void endSharePicture();

}  // namespace pinxel::cli
