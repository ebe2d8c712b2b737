# Read by cpack before it packs (CPACK_PROJECT_CONFIG_FILE). The archive
# library writes the names into the zip in the locale's character set, and
# in a plain C locale it cannot write the read-me's name at all. Packing in
# UTF-8 stores the names in UTF-8 and marks them so in the zip, which the
# zip folders of Windows 7 and later read right.
set(ENV{LC_ALL} C.UTF-8)
