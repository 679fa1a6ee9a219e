#!/usr/bin/perl -T
# FormMail.pl: mails what a visitor typed into a web form to the form's owner,
# then sends the visitor on to a thank-you page. Made for the forms that
# Ostrel Tarvin writes; Tarvin's help page "Installing the form handler"
# explains how to put it on a web site.
#
# It reads the fields recipient, subject, redirect, sort, print_blank_fields,
# env_report and print_config from the form and mails every other field.
# Mail goes only to the addresses listed below, so strangers cannot use the
# script to send mail of their own.
use strict;
use warnings;
use MIME::Base64 qw(encode_base64);
use MIME::QuotedPrint qw(encode_qp);

# ---------------------------------------------------------------------------
# Configuration: edit these lines for your site.

# The addresses forms may send to, for example ('me@example.com'). An entry
# such as '@example.com' allows every address at that domain. While the list
# is empty, every form is refused.
my @allowed_recipients = ();

# Your host's mail program.
my $sendmail = '/usr/sbin/sendmail';

# The From address of the mails; when empty they come from the recipient.
my $mail_from = '';

# Other sites the visitor may be sent on to after sending, for example
# ('www.example.org'). This site itself is always allowed.
my @redirect_hosts = ();

# Limits on what a visitor may send.
my $max_request_bytes = 100_000;
my $max_fields        = 100;
my $max_name_length   = 100;
my $max_value_length  = 20_000;
my $max_recipients    = 10;

# End of the configuration.
# ---------------------------------------------------------------------------

my @config_fields = qw(recipient subject redirect sort print_blank_fields env_report print_config);
my %is_config_field = map { $_ => 1 } @config_fields;

# The visitor's own address, used as Reply-To; e_mail is what Tarvin's
# "E Mail" field is called on the page.
my @sender_fields = qw(email e_mail);

# The only server variables env_report may copy into a mail: others can hold
# the host's secrets.
my %reportable = map { $_ => 1 } qw(REMOTE_HOST REMOTE_ADDR REMOTE_USER HTTP_USER_AGENT HTTP_REFERER);

my $default_subject = 'Form from your web site';

# The mail program runs without a shell, but taint checks want a known PATH.
$ENV{PATH} = '/usr/sbin:/usr/bin:/bin';
delete @ENV{qw(IFS CDPATH ENV BASH_ENV)};

# A visitor whose form stalls half-way must not keep the script running.
$SIG{ALRM} = sub { refuse('408 Request Timeout', 'The form took too long to arrive.') };
alarm 60;

handle_form();
exit 0;

sub handle_form {
    my ($names, $values) = parse_fields(read_request());
    my %config = map { $_ => $values->{$_} // '' } @config_fields;
    my $sender = first_sender($values);
    refuse_line_breaks($_, $config{$_}) for qw(recipient subject redirect);
    refuse_line_breaks('email', $sender);
    my @recipients = allowed_recipients($config{recipient});

    # Browsers send a form in the page's encoding, which the page may not name.
    my $charset = utf8::decode(my $all = join '', values %$values) ? 'UTF-8' : 'windows-1252';
    send_mail(mail_headers(\@recipients, $sender, $config{subject}, $charset) . "\n\n"
        . encode_qp(mail_body($names, $values, \%config, $sender)));

    my $target = redirect_target($config{redirect});
    if (defined $target) {
        print "Status: 302 Found\r\nLocation: $target\r\n\r\n";
    } else {
        print_page('200 OK', 'Thank you', '<p>Thank you. Your form has been sent.</p>');
    }
}

# --- The request -----------------------------------------------------------

# The form as it came, url-encoded: from the query of a GET, the body of a POST.
sub read_request {
    my $method = $ENV{REQUEST_METHOD} // '';
    if ($method eq 'GET') {
        my $query = $ENV{QUERY_STRING} // '';
        refuse_too_large() if length $query > $max_request_bytes;
        return $query;
    }
    refuse('405 Method Not Allowed', 'Forms must be sent with GET or POST.') unless $method eq 'POST';
    refuse('415 Unsupported Media Type', 'The form must be sent as application/x-www-form-urlencoded.')
        unless ($ENV{CONTENT_TYPE} // '') =~ m{^\s*application/x-www-form-urlencoded\s*(?:;|$)}i;
    my $length = $ENV{CONTENT_LENGTH} // '';
    refuse('411 Length Required', 'The form did not say how long it is.') unless $length =~ /^\d+$/;
    refuse_too_large() if length $length > 12 || $length > $max_request_bytes;

    binmode STDIN;
    my $body = '';
    while (length $body < $length) {
        my $got = read(STDIN, $body, $length - length $body, length $body);
        refuse('400 Bad Request', 'The form arrived incomplete.') unless $got;
    }
    return $body;
}

# The field names in the order they first came, and each name's value; a name
# that came more than once gets its values joined by commas.
sub parse_fields {
    my ($encoded) = @_;
    my @pairs = grep { length } split /&/, $encoded;
    refuse('413 Payload Too Large', "The form has more than $max_fields fields.") if @pairs > $max_fields;

    my (@names, %values);
    for my $pair (@pairs) {
        my ($name, $value) = map { url_decode($_) } split(/=/, $pair, 2), '';
        next if $name eq '';
        refuse('413 Payload Too Large', 'A field name is too long.') if length $name > $max_name_length;
        refuse('413 Payload Too Large', 'The field "' . html_escape($name) . '" is too long.')
            if length $value > $max_value_length;
        refuse('400 Bad Request', 'A field name holds a control character.') if $name =~ /[\x00-\x1f\x7f]/;
        if (exists $values{$name}) {
            $values{$name} .= ", $value";
        } else {
            push @names, $name;
            $values{$name} = $value;
        }
    }
    refuse('400 Bad Request', 'No form fields were sent.') unless @names;
    return (\@names, \%values);
}

sub url_decode {
    my ($text) = @_;
    $text =~ tr/+/ /;
    $text =~ s/%([0-9A-Fa-f]{2})/chr hex $1/ge;
    return $text;
}

# --- Checks ----------------------------------------------------------------

# A line break in a value that goes into a mail header could add headers of
# the visitor's own, such as more recipients.
sub refuse_line_breaks {
    my ($field, $value) = @_;
    refuse('400 Bad Request', "The field \"$field\" holds a line break, which it may not.")
        if $value =~ /[\r\n\0]/;
}

sub allowed_recipients {
    my ($list) = @_;
    my @recipients = split_list($list);
    refuse('500 Internal Server Error', 'This form handler is not set up yet: its owner has to list the '
        . 'addresses it may send to.') unless @allowed_recipients;
    refuse('400 Bad Request', 'The form names no recipient.') unless @recipients;
    refuse('400 Bad Request', 'The form names too many recipients.') if @recipients > $max_recipients;
    for my $address (@recipients) {
        refuse('403 Forbidden', 'This form may not send mail to "' . html_escape($address) . '".')
            unless is_allowed_recipient($address);
    }
    return @recipients;
}

sub is_allowed_recipient {
    my ($address) = @_;
    return 0 unless is_address($address);
    my ($domain) = $address =~ /(\@.*)$/;
    for my $allowed (@allowed_recipients) {
        return 1 if lc $address eq lc $allowed || lc $domain eq lc $allowed;
    }
    return 0;
}

# A plain address, user@domain: no display names, comments, quotes, routes
# (user%other@domain, bang paths) or pipes that could make a mail program
# deliver somewhere else.
sub is_address {
    my ($text) = @_;
    my $label = qr/[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?/;
    return $text =~ /^[A-Za-z0-9._+'=-]+\@$label(?:\.$label)+$/;
}

sub first_sender {
    my ($values) = @_;
    for my $field (@sender_fields) {
        return $values->{$field} if defined $values->{$field} && $values->{$field} ne '';
    }
    return '';
}

# Where the visitor goes after sending: an address on this site or on one of
# @redirect_hosts, or nothing (the thank-you page) for anything else, so the
# form cannot send visitors to a stranger's site.
sub redirect_target {
    my ($redirect) = @_;
    return undef if $redirect eq '' || $redirect =~ /[^\x21-\x7e]/;
    my $url = absolute_url($redirect);
    return undef unless defined $url;
    my ($host) = $url =~ m{^https?://([A-Za-z0-9.-]+)(?::\d+)?(?:[/?#]|$)}i;
    return undef unless defined $host;
    for my $allowed (lc($ENV{SERVER_NAME} // ''), @redirect_hosts) {
        return $url if $allowed ne '' && lc $host eq lc $allowed;
    }
    return undef;
}

# A page address made absolute: a path from the site's root refers to this
# site, a bare file name to the folder of the page that sent the form.
sub absolute_url {
    my ($address) = @_;
    return $address if $address =~ m{^https?://}i;
    return undef if $address =~ m{^[A-Za-z][A-Za-z0-9+.-]*:} || $address =~ m{^/[/\\]};
    return site_root() . $address if $address =~ m{^/};
    my $page = $ENV{HTTP_REFERER} // '';
    return undef unless $page =~ m{^(https?://[^?#]*/)}i;
    return $1 . $address;
}

sub site_root {
    my $https = ($ENV{HTTPS} // '') =~ /^(?:on|1)$/i;
    my $port = $ENV{SERVER_PORT} // '';
    $port = $port =~ /^\d+$/ && $port != ($https ? 443 : 80) ? ":$port" : '';
    return ($https ? 'https' : 'http') . '://' . ($ENV{SERVER_NAME} // '') . $port;
}

# --- The mail --------------------------------------------------------------

sub mail_headers {
    my ($recipients, $sender, $subject, $charset) = @_;
    $subject = $subject =~ /\S/ ? printable($subject) : $default_subject;
    return join "\n",
        'To: ' . join(', ', @$recipients),
        'From: ' . ($mail_from ne '' ? $mail_from : $recipients->[0]),
        (is_address($sender) ? "Reply-To: $sender" : ()),
        'Subject: ' . header_text($subject, $charset),
        'MIME-Version: 1.0',
        "Content-Type: text/plain; charset=$charset",
        'Content-Transfer-Encoding: quoted-printable';
}

# The page the form came from, the configuration values print_config names,
# the visitor's fields, and the server variables env_report names.
sub mail_body {
    my ($names, $values, $config, $sender) = @_;
    my @fields = grep { !$is_config_field{$_} } @$names;
    @fields = sort { lc $a cmp lc $b or $a cmp $b } @fields if $config->{sort} eq 'alphabetic';
    @fields = grep { $values->{$_} =~ /\S/ } @fields unless $config->{print_blank_fields};

    my %printable_config = (%$config, email => $sender);
    my @config_lines = map { "$_: " . printable($printable_config{$_}) }
        grep { exists $printable_config{$_} } split_list($config->{print_config});
    my @env_lines = map { "$_: " . printable($ENV{$_}) }
        grep { $reportable{$_} && defined $ENV{$_} } split_list($config->{env_report});

    my @body;
    push @body, 'Sent from: ' . printable($ENV{HTTP_REFERER}), '' if defined $ENV{HTTP_REFERER};
    push @body, @config_lines, '' if @config_lines;
    push @body, map { field_line($_, $values->{$_}) } @fields;
    push @body, '', @env_lines if @env_lines;
    return join("\n", @body) . "\n";
}

# One field as lines of the mail; the lines of a long answer are indented
# under its name.
sub field_line {
    my ($name, $value) = @_;
    $value = printable($value);
    $value =~ s/\n/\n  /g;
    return "$name: $value";
}

# The text with line breaks as \n and no other control characters but tabs.
sub printable {
    my ($text) = @_;
    $text =~ s/\r\n?/\n/g;
    $text =~ s/[\x00-\x08\x0b-\x1f\x7f]//g;
    return $text;
}

# A header value as it may stand in a mail: plain ASCII as it is, anything
# else as encoded words short enough for any mail program.
sub header_text {
    my ($text, $charset) = @_;
    return $text if $text =~ /^[\x20-\x7e]{0,200}$/;
    my @chunks;
    if ($charset eq 'UTF-8') {
        utf8::decode($text);
        # Whole characters only, at most 44 bytes a word.
        push @chunks, $1 while $text =~ /\G(.{1,11})/gs;
        utf8::encode($_) for @chunks;
    } else {
        @chunks = $text =~ /(.{1,45})/gs;
    }
    return join "\n ", map { "=?$charset?B?" . encode_base64($_, '') . '?=' } @chunks;
}

sub send_mail {
    my ($message) = @_;
    local $SIG{PIPE} = 'IGNORE';
    my $pipe;
    open($pipe, '|-', $sendmail, '-t', '-oi')
        or refuse('500 Internal Server Error', 'The mail program could not be started; the form was not sent.');
    binmode $pipe;
    print {$pipe} $message;
    close($pipe) or refuse('500 Internal Server Error', 'The mail program failed; the form was not sent.');
}

sub split_list {
    my ($text) = @_;
    return grep { length } split /\s*,\s*/, $text =~ s/^\s+|\s+$//gr;
}

# --- Pages -----------------------------------------------------------------

# Ends the script with an error page; the message is HTML already.
sub refuse {
    my ($status, $message) = @_;
    print_page($status, 'The form was not sent', "<p>$message</p>\n<p>Please go back and try again.</p>");
    exit 0;
}

sub refuse_too_large {
    refuse('413 Payload Too Large', "The form is larger than $max_request_bytes bytes.");
}

sub print_page {
    my ($status, $title, $content) = @_;
    print "Status: $status\r\nContent-Type: text/html; charset=UTF-8\r\n\r\n"
        . "<!DOCTYPE html>\n<html>\n<head><title>$title</title></head>\n"
        . "<body>\n<h1>$title</h1>\n$content\n</body>\n</html>\n";
}

sub html_escape {
    my ($text) = @_;
    $text =~ s/&/&amp;/g;
    $text =~ s/</&lt;/g;
    $text =~ s/>/&gt;/g;
    $text =~ s/"/&quot;/g;
    $text =~ s/'/&#39;/g;
    return $text;
}
