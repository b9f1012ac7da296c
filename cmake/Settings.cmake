# Settings shared by the targets of this tree, in one place.
#
#   orlenvo_settings     every target: language level, warnings, the source root on the include path.
#   orlenvo_qt_settings  every target that includes Qt: the stricter Qt string and connection rules.
#   orlenvo_use_qt_pch() precompiled Qt headers for a Qt target, shared between targets of one kind.

add_library(orlenvo_settings INTERFACE)
target_compile_features(orlenvo_settings INTERFACE cxx_std_20)
target_compile_options(orlenvo_settings INTERFACE
  -Wall -Wextra -Wpedantic $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local> -Wno-missing-field-initializers
  -Wold-style-cast -Woverloaded-virtual -Wnon-virtual-dtor
  $<$<BOOL:${ORLENVO_WERROR}>:-Werror>)
target_include_directories(orlenvo_settings INTERFACE ${CMAKE_SOURCE_DIR})

# No implicit conversion between QString, QByteArray and char pointers; no connection without a
# context object (checked by Qt from 6.7 on); '+' on strings builds them in one allocation.
add_library(orlenvo_qt_settings INTERFACE)
target_link_libraries(orlenvo_qt_settings INTERFACE orlenvo_settings)
target_compile_definitions(orlenvo_qt_settings INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_CONTEXTLESS_CONNECT QT_USE_QSTRINGBUILDER)

# Compiling the Qt headers is most of a fresh build. The window library precompiles the Qt
# headers used most and every other Qt target over it reuses that one header: a target may add
# definitions of its own (the tests' paths, Qt6::Test's per-folder QT_TESTCASE_*), but not lack
# one of the library's, or GCC ignores the header (-Winvalid-pch). QtTest stays out of it since
# its headers read those per-folder definitions. ORLENVO_PCH=OFF turns it off, for example to
# check that every file includes what it uses.
option(ORLENVO_PCH "Precompile the Qt headers" ON)

set(ORLENVO_QT_PCH_HEADERS
  <QApplication> <QByteArray> <QColor> <QDialog> <QFile> <QFont> <QFrame> <QGroupBox> <QImage>
  <QLabel> <QLineEdit> <QPainter> <QPixmap> <QPlainTextEdit> <QPointer> <QPushButton> <QScreen>
  <QString> <QStringList> <QTimer> <QUrl> <QVBoxLayout> <QWidget>)

# orlenvo_use_qt_pch(<target>): orlenvo_ui builds the header, every other target reuses it.
function(orlenvo_use_qt_pch target)
  if(NOT ORLENVO_PCH)
    return()
  endif()
  if(target STREQUAL "orlenvo_ui")
    target_precompile_headers(orlenvo_ui PRIVATE ${ORLENVO_QT_PCH_HEADERS})
  else()
    target_precompile_headers(${target} REUSE_FROM orlenvo_ui)
  endif()
endfunction()

# LLVM's linker where it is installed: linking the window tests with their debug information
# takes a quarter of the time of the default linker.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld ORLENVO_HAVE_LLD)
if(ORLENVO_HAVE_LLD)
  add_link_options(-fuse-ld=lld)
endif()
