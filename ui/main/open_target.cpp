#include "ui/main/open_target.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "system/archive_folders.h"
#include "widgets/path_text.h"

namespace tarnwick {

namespace {

QString Refusal(const QString& path, const QString& reason)
{
    return QStringLiteral("tarnwick: cannot open \"%1\": %2").arg(QDir::toNativeSeparators(path), reason);
}

}  // namespace

FileKind KindOfFile(const QString& fileName)
{
    const QString extension = QFileInfo(fileName).suffix();
    if (extension.compare(QLatin1String("iff"), Qt::CaseInsensitive) == 0)
        return FileKind::Iff;
    if (extension.compare(QLatin1String("wll"), Qt::CaseInsensitive) == 0)
        return FileKind::Walls;
    if (extension.compare(QLatin1String("flr"), Qt::CaseInsensitive) == 0)
        return FileKind::Floors;
    return FileKind::Other;
}

std::variant<OpenTarget, QString> FindOpenTarget(const QString& path, const QString& member)
{
    // A name the system's encoding cannot express was lost on its way in: the
    // decoder put replacement characters where its bytes were.
    if (path.contains(QChar::ReplacementCharacter))
        return Refusal(path, QStringLiteral("its name is not in the system's character encoding"));
    const QFileInfo info(QDir::fromNativeSeparators(path));
    if (path.isEmpty() || !info.exists())
        return Refusal(path, QStringLiteral("no such file or folder"));
    const QString absolute = QDir::cleanPath(info.absoluteFilePath());
    if (info.isDir()) {
        // Listing a folder needs the right to search it as well as to read it.
        if (!info.isReadable() || !info.isExecutable())
            return Refusal(path, QStringLiteral("the folder cannot be read"));
        return OpenTarget{absolute, {}};
    }
    // Devices, pipes and sockets are no game files and could block a read.
    if (!info.isFile())
        return Refusal(path, QStringLiteral("neither a file nor a folder"));
    // Opening it asks the system itself, whose answer takes every right into account.
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return Refusal(path, file.errorString().toLower());
    const bool archive = IsArchiveName(PathBytes(info.fileName()));
    if (!member.isEmpty()) {
        if (!archive)
            return Refusal(path, QStringLiteral("only an archive (*.far) holds members"));
        const MemberPlace place =
            FindMemberPlace(ReadArchiveContents(PathBytes(absolute)), PathBytes(member));
        if (!place.Problem.empty())
            return QStringLiteral("tarnwick: cannot open \"%1\" in \"%2\": %3")
                .arg(member, QDir::toNativeSeparators(path), QString::fromStdString(place.Problem));
        const QString inner = PathFromBytes(place.Inner);
        const qsizetype slash = inner.lastIndexOf(u'/');
        return OpenTarget{slash < 0 ? absolute : absolute + u'/' + inner.left(slash), inner.mid(slash + 1)};
    }
    if (archive)
        return OpenTarget{absolute, {}};
    return OpenTarget{QFileInfo(absolute).path(), info.fileName()};
}

QString DroppedPath(const QMimeData& data)
{
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    return urls.first().toLocalFile();
}

}  // namespace tarnwick
