add_subdirectory(coursegen)
