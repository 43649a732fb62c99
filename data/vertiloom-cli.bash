# Bash completion of vertiloom-cli: its commands, each command's options and the files they take
# (ROM images, letter files, drawings, pictures, fonts, patches, folders).

_vertiloom_cli()
{
    local cur prev words cword
    _init_completion || return

    local commands="info list render extract import fit words ips patch checksum"
    local images='@(smc|sfc|SMC|SFC|bak)'
    # What a letter is fitted from: a drawing or a picture.
    local sources='@(svg|SVG|png|PNG|jpg|JPG|jpeg|JPEG|bmp|BMP|gif|GIF|webp|WEBP)'

    # The command is the first word after the program's name; ips and patch take an action after it.
    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi
    local command=${words[1]}
    local action=
    if [[ $command == ips || $command == patch ]] && ((cword > 2)); then
        action=${words[2]}
    fi

    # The values of options.
    case $prev in
        --dump)
            COMPREPLY=($(compgen -W "1 2 3 4 5" -- "$cur"))
            return
            ;;
        --scale)
            COMPREPLY=($(compgen -W "1 2 3 4 6 8 12 16" -- "$cur"))
            return
            ;;
        --style)
            COMPREPLY=($(compgen -W "pieces outline" -- "$cur"))
            return
            ;;
        --font)
            # An installed family (with its style after a colon) or a font file.
            local IFS=$'\n'
            COMPREPLY=($(compgen -W "$(fc-list --format '%{family[0]}\n' 2>/dev/null | sort -u)" -- "$cur"))
            _filedir '@(ttf|otf|ttc|TTF|OTF|TTC)'
            return
            ;;
        --letter | --offset | --set-pause | --set-game-over | --metadata | --chars | --char | --box)
            return
            ;;
        -o | --output)
            case $command in
                render) _filedir '@(png|svg)' ;;
                extract)
                    if [[ " ${words[*]} " == *" --all "* ]]; then
                        _filedir -d
                    else
                        _filedir bin
                    fi
                    ;;
                words) _filedir tbl ;;
                fit) _filedir '@(bin|svg|png)' ;;
                ips) [[ $action == create ]] && _filedir ips || _filedir "$images" ;;
                patch) [[ $action == create ]] && _filedir '@(bps|ips)' || _filedir "$images" ;;
                *) _filedir ;;
            esac
            return
            ;;
    esac

    local options="--help"
    case $command in
        info) options+=" --json" ;;
        list) options+=" --dump --json" ;;
        render) options+=" --letter --offset --all --dump --output --scale --no-numbers --no-axes" ;;
        extract) options+=" --letter --offset --all --dump --output" ;;
        import) options+=" --letter --offset --dump --all --allow-longer --dry-run --fit --font --char --style --box" ;;
        fit) options+=" --font --chars --style --box --output" ;;
        words) options+=" --set-pause --set-game-over --dump --table --output" ;;
        ips) options+=" --output" ;;
        patch)
            case $action in
                create) options+=" --output --metadata --exact" ;;
                apply) options+=" --output --ignore-checksum --exact" ;;
            esac
            ;;
        checksum) options+=" --fix" ;;
        *) return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi

    # The positional arguments: which one this is, counted without the options and their values.
    local i n=0
    for ((i = 2; i < cword; i++)); do
        case ${words[i]} in
            --dump | --scale | --letter | --offset | --set-pause | --set-game-over | --metadata | -o | --output | \
                --font | --chars | --char | --style | --box) ((i++)) ;;
            -*) ;;
            *) ((n++)) ;;
        esac
    done
    case $command in
        render)
            _filedir "@(smc|sfc|SMC|SFC|bin)"
            ;;
        import)
            if ((n == 0)); then
                _filedir "$images"
            elif [[ " ${words[*]} " == *" --all "* ]]; then
                _filedir -d
            elif [[ " ${words[*]} " == *" --fit "* ]]; then
                _filedir "$sources"
            else
                _filedir '@(bin|svg)'
            fi
            ;;
        fit)
            _filedir "$sources"
            ;;
        ips | patch)
            if ((n == 0)); then
                if [[ $command == ips ]]; then
                    COMPREPLY=($(compgen -W "create apply" -- "$cur"))
                else
                    COMPREPLY=($(compgen -W "create apply info" -- "$cur"))
                fi
            elif [[ $action == info ]] || { [[ $action == apply ]] && ((n == 2)); }; then
                _filedir '@(bps|ips)'
            else
                _filedir "$images"
            fi
            ;;
        *)
            _filedir "$images"
            ;;
    esac
} && complete -F _vertiloom_cli vertiloom-cli
