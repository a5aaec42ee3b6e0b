#include "videoprobe.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QJsonObject ffprobe(const QStringList& arguments, QString* error)
{
    QProcess probe;
    probe.start(QStringLiteral("ffprobe"),
                QStringList{"-v", "error", "-of", "json", "-select_streams", "v:0"} + arguments);
    if (!probe.waitForFinished(60000) || probe.exitCode() != 0) {
        *error = QString::fromLocal8Bit(probe.readAllStandardError());
        return {};
    }
    return QJsonDocument::fromJson(probe.readAllStandardOutput()).object();
}

}  // namespace

VideoProbe VideoProbe::of(const QString& path)
{
    VideoProbe result;
    const QJsonObject info =
        ffprobe({"-count_frames", "-show_streams", "-show_format", path}, &result.error);
    const QJsonArray streams = info.value("streams").toArray();
    if (streams.isEmpty()) {
        return result;
    }
    const QJsonObject stream = streams.first().toObject();
    result.readable = true;
    result.codec = stream.value("codec_name").toString();
    result.profile = stream.value("profile").toString();
    result.pixelFormat = stream.value("pix_fmt").toString();
    result.width = stream.value("width").toInt();
    result.height = stream.value("height").toInt();
    result.frames = stream.value("nb_read_frames").toString("-1").toInt();
    result.duration = info.value("format").toObject().value("duration").toString("-1").toDouble();
    const QJsonArray packets =
        ffprobe({"-show_packets", "-read_intervals", "%+#1", path}, &result.error)
            .value("packets")
            .toArray();
    result.firstPacketKey =
        !packets.isEmpty() &&
        packets.first().toObject().value("flags").toString().startsWith(QLatin1Char('K'));
    return result;
}

QImage firstVideoFrame(const QString& path)
{
    return videoFrameAt(path, 0);
}

QImage videoFrameAt(const QString& path, double seconds)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath("frame.png");
    QProcess::execute(QStringLiteral("ffmpeg"),
                      {"-v", "error", "-y", "-ss", QString::number(seconds), "-i", path,
                       "-frames:v", "1", picture});
    return QImage(picture);
}

bool endsWithFragmentIndex(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16) {
        return false;
    }
    file.seek(file.size() - 16);
    return file.read(16).mid(4, 4) == "mfro";
}
