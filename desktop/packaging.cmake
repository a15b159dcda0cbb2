# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages, made by CPack from the install components of
# install.cmake: `cmake --build build --target package` writes
# ql310set_<version>_<arch>.deb and ql310-adapter_<version>_<arch>.deb into
# build/. Dependencies come from dpkg-shlibdeps, binaries are stripped.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ql310set)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ql310set maintainers <maintainers@ql310set.org>")
set(CPACK_PACKAGE_VENDOR "the ql310set authors")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
# Installed under /usr with DESTDIR, so that what is written at install time
# (man pages) names the real paths.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ql310set ql310-adapter)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SOURCE ql310set)
set(CPACK_DEBIAN_PACKAGE_SECTION comm)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_QL310SET_PACKAGE_NAME ql310set)
set(CPACK_COMPONENT_QL310SET_DESCRIPTION
  "configuration program for a USB ISDN terminal adapter
ql310set reads the configuration of a USB ISDN terminal adapter with four
analog phone ports, lets you edit its ports, numbers, call forwarding,
least-cost routing and phone book, writes it back, and keeps a log of the
calls the adapter recorded.

The package also holds ql310ctl, which backs up, restores, compares and
dumps configurations and exports the call log from a terminal, and the
program's private device library.")
# The hive of the line parameters, /var/lib/ql310, for the dialout group.
set(CPACK_DEBIAN_QL310SET_PACKAGE_CONTROL_EXTRA
  ${QL310_DESKTOP_DIR}/debian/postinst ${QL310_DESKTOP_DIR}/debian/postrm)
# Loaded at run time, unseen by dpkg-shlibdeps: the call log's SQL driver
# and the window system's platform plugins.
set(CPACK_DEBIAN_QL310SET_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins")
set(CPACK_DEBIAN_QL310SET_PACKAGE_SUGGESTS ql310-adapter)

set(CPACK_DEBIAN_QL310-ADAPTER_PACKAGE_NAME ql310-adapter)
set(CPACK_COMPONENT_QL310-ADAPTER_DESCRIPTION
  "simulated USB ISDN terminal adapter for ql310set
ql310-adapter plays a USB ISDN terminal adapter and its driver on a local
socket, with a plausible factory configuration, a call history and
injectable faults, so that ql310set and ql310ctl can be tried and tested
without the hardware.")
set(CPACK_DEBIAN_QL310-ADAPTER_PACKAGE_RECOMMENDS ql310set)

include(CPack)
