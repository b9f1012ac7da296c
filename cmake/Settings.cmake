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

# Compiling the Qt headers is most of a fresh build: each Qt target of the tree either builds the
# precompiled header of its kind or reuses it. Kind "ui" serves the window library and the
# programs over it. Kind "test" adds QtTest, whose headers read the QT_TESTCASE_BUILDDIR and
# QT_TESTCASE_SOURCEDIR that Qt6::Test defines per folder, so the window tests share one header
# per test folder. ORLENVO_PCH=OFF turns it off, for example to check that every file includes
# what it uses.
option(ORLENVO_PCH "Precompile the Qt headers" ON)

set(ORLENVO_QT_PCH_HEADERS
  <QApplication> <QByteArray> <QColor> <QDialog> <QFile> <QFont> <QFrame> <QGroupBox> <QImage>
  <QLabel> <QLineEdit> <QPainter> <QPixmap> <QPlainTextEdit> <QPointer> <QPushButton> <QScreen>
  <QString> <QStringList> <QTimer> <QUrl> <QVBoxLayout> <QWidget>)

# orlenvo_use_qt_pch(<target> ui|test): the first target of a kind (per folder for "test") builds
# its header, the later ones reuse it.
function(orlenvo_use_qt_pch target kind)
  if(NOT ORLENVO_PCH)
    return()
  endif()
  set(headers ${ORLENVO_QT_PCH_HEADERS})
  set(key ${kind})
  if(kind STREQUAL "test")
    list(APPEND headers <QtTest>)
    string(MAKE_C_IDENTIFIER "${CMAKE_CURRENT_SOURCE_DIR}" folder)
    set(key ${kind}_${folder})
  endif()
  get_property(owner GLOBAL PROPERTY ORLENVO_QT_PCH_${key})
  if(owner)
    target_precompile_headers(${target} REUSE_FROM ${owner})
  else()
    target_precompile_headers(${target} PRIVATE ${headers})
    set_property(GLOBAL PROPERTY ORLENVO_QT_PCH_${key} ${target})
  endif()
endfunction()
