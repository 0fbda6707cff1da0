# Most of a window source's compile time goes to reading Qt's headers: the
# ones nearly every source includes are compiled once per target instead.
# The sources still include what they use, so a build without these compiles
# the same.
function(tarnwick_precompile_qt target)
  target_precompile_headers(${target} PRIVATE
    <QApplication> <QClipboard> <QComboBox> <QDir> <QImage> <QLabel> <QListWidget>
    <QPainter> <QPushButton> <QString> <QTableWidget> <QVBoxLayout> <QWidget>)
endfunction()
