#include "FileWindow.h"

namespace spreadsheet::io {

FileWindow::FileWindow(QIODevice& source) : source_(source), size_(source.size())
{
    open(QIODevice::ReadOnly);
    QIODevice::seek(source.pos());
}

bool FileWindow::seek(qint64 position)
{
    return QIODevice::seek(position) && source_.seek(position);
}

qint64 FileWindow::readData(char* data, qint64 maximum)
{
    return source_.read(data, maximum);
}

}  // namespace spreadsheet::io
