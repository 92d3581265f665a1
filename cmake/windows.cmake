# Windows side (cross build): the plug-in library, the host stand-in and the
# end-to-end test programs.
