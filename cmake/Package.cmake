# `cpack -G DEB` in a build folder makes corvanta_<version>_<arch>.deb from the install rules.
# dpkg-shlibdeps (Debian dpkg-dev) works out the shared-library dependencies from the program itself.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvanta)
set(CPACK_PACKAGE_VENDOR "Brellin")
set(CPACK_PACKAGE_CONTACT "Brellin <support@brellin.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.brellin.com")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal-finance calculator for home buyers, borrowers and savers")
# The README's first paragraph, wrapped for the package's long description.
set(CPACK_PACKAGE_DESCRIPTION [[
Corvanta is a desktop personal-finance calculator for home buyers, borrowers
and savers. One fixed-size window holds five calculator pages: loans and
mortgages, refinancing a home, saving for college, retirement planning, and
savings and interest rates. The loan page solves a fixed-rate monthly loan for
its payment or for the largest amount a payment can carry, and writes a loan
analysis report. Every figure is computed in 80-bit extended precision and
shown in the regional currency format of the user's locale. The command
corvanta-calc gives every calculator's figures on the command line, as text,
CSV or JSON, without a display.]])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins (X11, Wayland) at run time, so no library link names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Arial's metric twin, so the pages' texts fit their controls as laid out.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")

include(CPack)
