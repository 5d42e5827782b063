# kinetrax-cli must run where no Qt is installed: its whole link closure is checked at configure
# time, and a test (tests/cli) looks at what the built program really loads.

# Fails the configure step when `target`, or any target it links (directly or through them),
# names a Qt library.
function(kt_assert_no_qt target)
  set(pending ${target})
  set(seen)
  while(pending)
    list(POP_FRONT pending current)
    if(current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    if(current MATCHES "(^|[^A-Za-z])Qt[0-9]*(::|Core|Gui|Widgets)|libQt|QCustomPlot")
      message(FATAL_ERROR "${target} must not link Qt, but its link closure holds ${current}")
    endif()
    # $<LINK_ONLY:x> wraps the private dependencies of static libraries.
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" name "${current}")
    if(TARGET ${name})
      get_target_property(direct ${name} LINK_LIBRARIES)
      get_target_property(iface ${name} INTERFACE_LINK_LIBRARIES)
      foreach(lib IN LISTS direct iface)
        if(lib AND NOT lib MATCHES "-NOTFOUND$")
          list(APPEND pending ${lib})
        endif()
      endforeach()
    endif()
  endwhile()
endfunction()
