# End-to-end tests under mutter and GNOME Shell.
