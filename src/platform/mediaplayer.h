#pragma once

#include <QString>

namespace kirvano {

// The alarm's media player. play() plays the named file once from its start,
// replacing any sound in progress, also when the path is the same.
class IMediaPlayer
{
public:
    virtual ~IMediaPlayer() = default;

    virtual void play(const QString &path) = 0;
};

} // namespace kirvano
