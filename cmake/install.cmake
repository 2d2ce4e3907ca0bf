# Installing Vorneta: the program in bin/, the desktop entry, and the program icon in the hicolor
# theme drawn at each size; help/CMakeLists.txt installs the help collection in
# share/vorneta/help/. The program finds its help from its own folder (../share/vorneta/help),
# so this layout under the prefix is fixed and nothing of the build folder is baked in.
# `make package` turns the same installation into a Debian package with CPack.

install(TARGETS vorneta RUNTIME DESTINATION bin)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vorneta.desktop DESTINATION share/applications)

# The icon tool draws the program icon at a given size, with the same code as the program's
# window icon, on Qt's offscreen platform while the project builds.
if(EXISTS ${CMAKE_SOURCE_DIR}/app/pictures.h)
  add_executable(vorneta_makeicons ${CMAKE_SOURCE_DIR}/tools/makeicons.cpp)
  target_link_libraries(vorneta_makeicons PRIVATE vorneta_ui)

  set(icon_files)
  foreach(size IN ITEMS 16 32 48 64 128 256)
    set(icon_dir ${CMAKE_BINARY_DIR}/icons/hicolor/${size}x${size}/apps)
    add_custom_command(OUTPUT ${icon_dir}/vorneta.png
      COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
              $<TARGET_FILE:vorneta_makeicons> ${size} ${icon_dir}/vorneta.png
      DEPENDS vorneta_makeicons
      COMMENT "Drawing the program icon at ${size} pixels"
      VERBATIM)
    list(APPEND icon_files ${icon_dir}/vorneta.png)
    install(FILES ${icon_dir}/vorneta.png DESTINATION share/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(vorneta_icons ALL DEPENDS ${icon_files})
endif()

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorneta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zespół Vorneta")
set(CPACK_PACKAGE_CONTACT "Zespół Vorneta <vorneta@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching program on the basics of electrical circuits")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Vorneta shows, in Polish, Ohm's law, Kirchhoff's current and voltage laws\n"
  "and power in an AC circuit on circuit diagrams whose meters follow sliders,\n"
  "and the charging of a capacitor and an RC circuit with a DC and a sinusoidal\n"
  "source as curves and tables that can be saved as CSV files. Its help opens\n"
  "in Qt Assistant.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# What the program needs at run time: the C++ run time and Qt (its SQL module reads the help
# file's index), Qt's X11 platform plugin, Qt's Polish texts, Qt Assistant with the SQLite driver
# that help collections need, and the fonts.
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS
  "libc6"
  "libstdc++6"
  "libgcc-s1"
  "libqt6core6 (>= 6.4)"
  "libqt6gui6 (>= 6.4)"
  "libqt6widgets6 (>= 6.4)"
  "libqt6sql6 (>= 6.4)"
  "qt6-qpa-plugins"
  "qt6-translations-l10n"
  "assistant-qt6"
  "libqt6sql6-sqlite"
  "fonts-wine"
  "fonts-liberation")
include(CPack)
